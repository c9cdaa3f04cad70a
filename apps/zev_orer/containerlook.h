#ifndef ZEV_ORER_CONTAINERLOOK_H
#define ZEV_ORER_CONTAINERLOOK_H

class QWidget;

/// Gives a frameless container (of a VNDialog or a VNMainWindow) the program's dark look: frame and title-bar
/// colours that follow its look property, drawn minimise, maximise, restore and close buttons, and legible
/// check boxes. The toolkit leaves all of this to the application; null is ignored.
void decorateFramelessContainer(QWidget *container);

#endif // ZEV_ORER_CONTAINERLOOK_H
