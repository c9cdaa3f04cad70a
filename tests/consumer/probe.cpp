// Reports what the example's message box shows, then answers it with its last button.
#include <QtWidgets>

#include <cstdio>

static void probe()
{
    QTimer::singleShot(0, qApp, [] {
        QWidget *box = QApplication::activeModalWidget();
        const auto iconLabel = box->findChild<QLabel *>("icon_label");
#if QT_VERSION >= QT_VERSION_CHECK(5, 15, 0)
        const QImage icon = iconLabel->pixmap(Qt::ReturnByValue).toImage();
#else
        const QImage icon = iconLabel->pixmap() ? iconLabel->pixmap()->toImage() : QImage();
#endif
        const QImage artwork(qEnvironmentVariable("CONSUMER_ARTWORK"));
        QLayout *row = box->findChild<QHBoxLayout *>("button_layout");
        QStringList labels;
        QPushButton *last = nullptr;
        for (int i = 0; i < row->count(); ++i)
            if ((last = qobject_cast<QPushButton *>(row->itemAt(i)->widget())))
                labels << last->text();
        std::printf("icon: %s\nbuttons: %s\ntext: %s\n",
                    !icon.isNull() && artwork.convertToFormat(icon.format()) == icon ? "artwork"
                                                                                     : "wrong or missing",
                    qPrintable(labels.join(' ')), qPrintable(box->findChild<QLabel *>("text_label")->text()));
        std::fflush(stdout);
        // The row ends with a button: the spacer stands first.
        last->click();
    });
}
Q_COREAPP_STARTUP_FUNCTION(probe)
