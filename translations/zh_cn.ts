<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en_US">
<context>
    <name>DialogFramelessContainer</name>
    <message>
        <source>Form</source>
        <translation>窗体</translation>
    </message>
</context>
<context>
    <name>PageStackWizard</name>
    <message>
        <source>Page stack wizard</source>
        <translation>分页向导</translation>
    </message>
    <message>
        <source>This window takes the size of the page it shows.</source>
        <translation>此窗口的大小随所显示的页面而变。</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>名称：</translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation>备注：</translation>
    </message>
    <message>
        <source>All done.</source>
        <translation>全部完成。</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>上一步</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>下一步</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>完成</translation>
    </message>
</context>
<context>
    <name>ShowcaseDialog</name>
    <message>
        <source>Frameless dialog</source>
        <translation>无边框对话框</translation>
    </message>
    <message>
        <source>This dialog lives in a frameless container. Change how its frame is drawn:</source>
        <translation>此对话框位于无边框容器中。更改其边框的绘制方式：</translation>
    </message>
    <message>
        <source>Line between title bar and content</source>
        <translation>标题栏与内容之间的分隔线</translation>
    </message>
    <message>
        <source>Drop shadow</source>
        <translation>阴影</translation>
    </message>
    <message>
        <source>Border</source>
        <translation>边框</translation>
    </message>
    <message>
        <source>Rounded corners</source>
        <translation>圆角</translation>
    </message>
    <message>
        <source>Hide the close button</source>
        <translation>隐藏关闭按钮</translation>
    </message>
</context>
<context>
    <name>ShowcaseMainWindow</name>
    <message>
        <source>Frameless main window</source>
        <translation>无边框主窗口</translation>
    </message>
    <message>
        <source>Drag the title bar to move the window, its edges to resize it, and double-click the title bar to maximise or restore it. Closing asks first.</source>
        <translation>拖动标题栏可移动窗口，拖动边缘可调整大小，双击标题栏可最大化或还原。关闭前会先询问。</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>窗口(&amp;W)</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>工具</translation>
    </message>
    <message>
        <source>&amp;Centred dialog</source>
        <translation>居中对话框(&amp;C)</translation>
    </message>
    <message>
        <source>Open a dialog that stays centred on this window</source>
        <translation>打开一个始终在此窗口居中的对话框</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>关闭(&amp;C)</translation>
    </message>
    <message>
        <source>Close this window</source>
        <translation>关闭此窗口</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Close the frameless main window?</source>
        <translation>关闭无边框主窗口吗？</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>就绪</translation>
    </message>
    <message>
        <source>Centred dialog</source>
        <translation>居中对话框</translation>
    </message>
    <message>
        <source>The dialog stays centred on this window while its frame changes size.</source>
        <translation>对话框的边框改变大小时，仍在此窗口居中。</translation>
    </message>
</context>
<context>
    <name>ShowcaseWindow</name>
    <message>
        <source>zev_orer</source>
        <translation>zev_orer</translation>
    </message>
    <message>
        <source>Frameless windows for Qt Widgets, all in one place.</source>
        <translation>Qt Widgets 无边框窗口，尽在一处。</translation>
    </message>
    <message>
        <source>Interface language:</source>
        <translation>界面语言：</translation>
    </message>
    <message>
        <source>Log file:</source>
        <translation>日志文件：</translation>
    </message>
    <message>
        <source>Message boxes</source>
        <translation>消息框</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>信息</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>询问</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>Windows</source>
        <translation>窗口</translation>
    </message>
    <message>
        <source>Overlay on this window</source>
        <translation>在此窗口上显示遮罩层</translation>
    </message>
    <message>
        <source>Page stack wizard</source>
        <translation>分页向导</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>中文</translation>
    </message>
    <message>
        <source>English</source>
        <translation>英语</translation>
    </message>
    <message>
        <source>Open a window to try it.</source>
        <translation>打开一个窗口试试。</translation>
    </message>
    <message>
        <source>The theme and the translation are in place.</source>
        <translation>主题和翻译均已就绪。</translation>
    </message>
    <message>
        <source>Do you like &lt;b&gt;frameless&lt;/b&gt; windows?</source>
        <translation>您喜欢&lt;b&gt;无边框&lt;/b&gt;窗口吗？</translation>
    </message>
    <message>
        <source>The document has unsaved changes.</source>
        <translation>文档有未保存的更改。</translation>
    </message>
    <message>
        <source>The device did not answer in time.</source>
        <translation>设备未及时响应。</translation>
    </message>
    <message>
        <source>The wizard finished.</source>
        <translation>向导已完成。</translation>
    </message>
    <message>
        <source>The wizard was cancelled.</source>
        <translation>向导已取消。</translation>
    </message>
    <message>
        <source>The window is dimmed while this panel is shown.</source>
        <translation>显示此面板时，窗口会变暗。</translation>
    </message>
    <message>
        <source>Remove overlay</source>
        <translation>移除遮罩层</translation>
    </message>
    <message>
        <source>Last answer: %1</source>
        <translation>上次的回答：%1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>No</source>
        <translation>否</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>放弃</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>重试</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>忽略</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>中止</translation>
    </message>
    <message>
        <source>closed without a button</source>
        <translation>未点按钮即关闭</translation>
    </message>
    <message>
        <source>Frameless main window</source>
        <translation>无边框主窗口</translation>
    </message>
    <message>
        <source>Frameless dialog</source>
        <translation>无边框对话框</translation>
    </message>
    <message>
        <source>The frameless main window was closed.</source>
        <translation>无边框主窗口已关闭。</translation>
    </message>
    <message>
        <source>The frameless dialog was accepted.</source>
        <translation>无边框对话框已确认。</translation>
    </message>
    <message>
        <source>The frameless dialog was cancelled.</source>
        <translation>无边框对话框已取消。</translation>
    </message>
</context>
<context>
    <name>VNFramelessContainer</name>
    <message>
        <source>Minimize</source>
        <translation>最小化</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>最大化</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>还原</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>VnDialog</name>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>VnMessageBox</name>
    <message>
        <source>Ok</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>放弃</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>应用</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>重置</translation>
    </message>
    <message>
        <source>RestoreDefaults</source>
        <translation>恢复默认值</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>SaveAll</source>
        <translation>全部保存</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>YesToAll</source>
        <translation>全部是</translation>
    </message>
    <message>
        <source>No</source>
        <translation>否</translation>
    </message>
    <message>
        <source>NoToAll</source>
        <translation>全部否</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>中止</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>重试</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>忽略</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>退出</translation>
    </message>
</context>
</TS>
