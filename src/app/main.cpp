// The program start: the set-up dialog first (it is the main window), then the editor window,
// hidden; then the message loop until the dialog closes.
#include <QApplication>
#include <QMessageBox>
#include <exception>
#include <memory>

#include "app/gl_form.h"
#include "app/haupt_formular.h"
#include "app/programmdaten.h"

int main(int argc, char** argv) {
  QApplication anwendung(argc, argv);
  QApplication::setApplicationName("Editor");
  // The data folders lie beside the program.
  const std::string programmordner = QCoreApplication::applicationDirPath().toStdString() + "/";
  auto daten = std::make_unique<TProgrammdaten>();
  try {
    THauptFormular dialog(*daten, programmordner);
    TGLForm editorfenster(*daten);
    dialog.EditorFensterSetzen(&editorfenster);
    dialog.show();
    return anwendung.exec();
  } catch (const std::exception& fehler) {
    QMessageBox::critical(nullptr, "Vandor Editor", QString::fromLocal8Bit(fehler.what()));
    return 1;
  }
}
