// Start-up: the application, the main window and the four dialogs in their
// fixed order, then the event loop until the main window closes.
#include <QIcon>
#include <QPixmap>
#include <QStyleFactory>
#include <exception>

#include "app/ProgramIcon.h"
#include "app/TApplication.h"
#include "app/TForm1.h"
#include "dialogs/TAboutBox.h"
#include "dialogs/TOKBottomDlg.h"
#include "dialogs/TOKRightDlg.h"
#include "dialogs/TPasswordDlg.h"
#include "platform/Messages.h"

int main(int argc, char** argv) {
  TApplication app(argc, argv);
  try {
    // The application title. No display name: Qt would append it to every
    // window title, and the main window's title is fixed.
    QApplication::setApplicationName(QStringLiteral("もんてぐら"));
    QApplication::setApplicationVersion(QStringLiteral("1.1"));
    QApplication::setWindowIcon(QIcon(QPixmap::fromImage(app::ProgramIcon())));
    // The layout is drawn to classic desktop metrics: group captions on the
    // frame line, thin tabs. The classic style keeps every control inside
    // its group; a style that puts captions above the frame would not.
    if (QStyle* classic = QStyleFactory::create(QStringLiteral("Windows"))) QApplication::setStyle(classic);

    TForm1 form1;
    if (form1.StartupFailed()) return 1;  // the message naming the file was shown
    auto* okRightDlg = new TOKRightDlg(&form1);
    auto* okBottomDlg = new TOKBottomDlg(&form1);
    auto* passwordDlg = new TPasswordDlg(&form1);
    auto* aboutBox = new TAboutBox(&form1);
    form1.UseDialogs(okRightDlg, okBottomDlg, passwordDlg, aboutBox);

    form1.show();
    return app.exec();
  } catch (const std::exception& e) {
    ui::ShowMessageUtf8(e.what());
    return 1;
  }
}
