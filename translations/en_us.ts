<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="en_US">
<context>
    <name>DialogFramelessContainer</name>
    <message>
        <source>Form</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PageStackWizard</name>
    <message>
        <source>Page stack wizard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This window takes the size of the page it shows.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All done.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finish</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ShowcaseDialog</name>
    <message>
        <source>Frameless dialog</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This dialog lives in a frameless container. Change how its frame is drawn:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line between title bar and content</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drop shadow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Border</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rounded corners</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hide the close button</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ShowcaseMainWindow</name>
    <message>
        <source>Frameless main window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drag the title bar to move the window, its edges to resize it, and double-click the title bar to maximise or restore it. Closing asks first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tools</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Centred dialog</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open a dialog that stays centred on this window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close this window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close the frameless main window?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ready</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Centred dialog</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The dialog stays centred on this window while its frame changes size.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ShowcaseWindow</name>
    <message>
        <source>zev_orer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frameless windows for Qt Widgets, all in one place.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interface language:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Log file:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Message boxes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Question</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Windows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overlay on this window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page stack wizard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>English</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open a window to try it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The theme and the translation are in place.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you like &lt;b&gt;frameless&lt;/b&gt; windows?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The document has unsaved changes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The device did not answer in time.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The wizard finished.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The wizard was cancelled.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The window is dimmed while this panel is shown.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove overlay</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last answer: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Discard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Retry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abort</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>closed without a button</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frameless main window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frameless dialog</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The frameless main window was closed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The frameless dialog was accepted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The frameless dialog was cancelled.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VNFramelessContainer</name>
    <message>
        <source>Minimize</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VnDialog</name>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VnMessageBox</name>
    <message>
        <source>Ok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Discard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RestoreDefaults</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SaveAll</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>YesToAll</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NoToAll</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abort</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Retry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
