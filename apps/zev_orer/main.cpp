#include "language.h"
#include "showcasewindow.h"
#include "stylesheet.h"

#include <QApplication>

#include <cstdlib>
#include <exception>
#include <memory>

namespace {

// Nothing in the program catches an exception. One that escapes (the log file cannot be opened while the
// language step logs) ends the program with its message and exit code 1 instead of an abort.
[[noreturn]] void reportEscapedException()
{
    try {
        if (const std::exception_ptr escaped = std::current_exception())
            std::rethrow_exception(escaped);
    } catch (const std::exception &error) {
        qCritical("zev_orer: %s", error.what());
    } catch (...) {
        qCritical("zev_orer: unknown exception");
    }
    std::_Exit(EXIT_FAILURE);
}

} // namespace

int main(int argc, char *argv[])
{
    std::set_terminate(reportEscapedException);
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling, true);
    // Images come at 1x and "@2x"; on a scaled screen icons take the larger one instead of a blurred copy.
    QCoreApplication::setAttribute(Qt::AA_UseHighDpiPixmaps, true);
    auto app = std::make_unique<QApplication>(argc, argv);
    applyStyleSheetResource(*app, QStringLiteral(":/stylesheet/zevorer.qss"));
    applyInterfaceLanguage(*app);

    // Built after the theme and the translator are in place, so it comes out themed and translated.
    auto window = std::make_unique<ShowcaseWindow>();
    window->show();
    const int result = app->exec();

    window.reset();
    app.reset();
    return result;
}
