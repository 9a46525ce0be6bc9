// QS2017DM: the application title, the main window Form1, the hidden template
// window fmTemplate, then the event loop.
#include <QApplication>
#include <QComboBox>
#include <QPixmap>
#include <QScreen>
#include <QTimer>
#include <memory>

#include "app/mainwindow.h"
#include "app/templatewindow.h"
#include "app/textconv.h"
#include "app/windowops.h"
#include "core/clock.h"
#include "core/merge.h"
#include "platform/registry.h"

namespace {

// For the screenshot script only: QS2017DM_DEMO_FORM picks a form,
// QS2017DM_DEMO_TICKS ticks rows ("0,5,9"), QS2017DM_DEMO_POPUP=1 opens the
// form combo's list, QS2017DM_DEMO_SHOT saves a picture of the window (of the
// whole screen when the list is open) to that file and ends the program.
void ApplyDemoState(TForm1& form1) {
    const QString form = qEnvironmentVariable("QS2017DM_DEMO_FORM");
    const QString shot = qEnvironmentVariable("QS2017DM_DEMO_SHOT");
    if (form.isEmpty() && shot.isEmpty()) {
        return;
    }
    QTimer::singleShot(0, &form1, [&form1, form] {
        qs::TFieldSelection& selection = form1.Selection();
        for (int i = 0; i < selection.ComboCount(); ++i) {
            if (qsapp::DisplayText(selection.ComboEntry(i)) == form) {
                selection.UserPicksEntry(i);
            }
        }
        const QStringList ticks =
            qEnvironmentVariable("QS2017DM_DEMO_TICKS").split(u',', Qt::SkipEmptyParts);
        for (const QString& tick : ticks) {
            const int row = tick.trimmed().toInt();
            if (row >= 0 && row < selection.RowCount()) {
                selection.SetChecked(row, true);
            }
        }
        if (qEnvironmentVariableIsSet("QS2017DM_DEMO_POPUP")) {
            form1.coForm->showPopup();
        }
    });
    if (!shot.isEmpty()) {
        QTimer::singleShot(500, &form1, [&form1, shot] {
            const QPixmap picture = qEnvironmentVariableIsSet("QS2017DM_DEMO_POPUP")
                                        ? form1.screen()->grabWindow(0)
                                        : form1.grab();
            picture.save(shot);
            form1.close();
        });
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(qs::kApplicationTitle));

    TQtDialogs dialogs;
    TQtWindowOps ops(dialogs, QCoreApplication::arguments().mid(1));
    qs::TSettingsRegistry registry;
    qs::SystemClock clock;

    TForm1 form1(ops, registry, clock);
    ops.SetMainWindow(&form1);
    const std::unique_ptr<TfmTemplate> fmTemplate = std::make_unique<TfmTemplate>(&form1);
    form1.SetTemplateWindow(fmTemplate.get());

    if (!form1.Start()) {
        return 0;
    }
    ApplyDemoState(form1);
    return QApplication::exec();
}
