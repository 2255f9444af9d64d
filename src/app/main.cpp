// The program start: the set-up dialog first (it is the main window), then the editor window,
// hidden; then the message loop until the dialog closes. Ending from outside (a signal, the end
// of the desktop session) takes the dialog's closing path too.
#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QSessionManager>
#include <exception>
#include <iostream>
#include <memory>
#include <optional>

#include "app/beenden.h"
#include "app/befehlszeile.h"
#include "app/datenort.h"
#include "app/gl_form.h"
#include "app/haupt_formular.h"
#include "app/programmdaten.h"
#include "editor/start.h"

int main(int argc, char** argv) {
  // --help and --version need no screen; a wrong call ends here.
  if (const std::optional<int> ende = BefehlszeileBeantworten(argc, argv, std::cout, std::cerr))
    return *ende;
  QApplication anwendung(argc, argv);
  QApplication::setApplicationName("Editor");
  // Before anything is on disk: a signal from now on waits for the event loop.
  THauptFormular* offen = nullptr;
  const auto beenden = [&offen] {
    if (offen) offen->Beenden();
    QCoreApplication::quit();
  };
  if (!SignaleUmleiten(beenden))
    std::cerr << "vandor-editor: signals cannot be routed; ending by signal will not save\n";
  QObject::connect(&anwendung, &QGuiApplication::commitDataRequest, &anwendung,
                   [&](QSessionManager&) { beenden(); });
  QObject::connect(&anwendung, &QCoreApplication::aboutToQuit, &anwendung, [&offen] {
    if (offen) offen->Beenden();
  });
  // The data folders lie beside the program, or in the user's data folder when installed.
  const TDatenordner ordner = DatenordnerWaehlen(
      QCoreApplication::applicationDirPath().toStdString(),
      qEnvironmentVariable("XDG_DATA_HOME").toStdString(), QDir::homePath().toStdString());
  auto daten = std::make_unique<TProgrammdaten>();
  try {
    THauptFormular dialog(*daten, ordner);
    TGLForm editorfenster(*daten);
    dialog.EditorFensterSetzen(&editorfenster);
    // A scenario file named on the command line (as a file manager opens one) comes chosen.
    const std::string datei = THauptFormular::Befehlszeilendatei(QCoreApplication::arguments());
    if (!datei.empty()) dialog.SzenarioOeffnen(datei);
    dialog.show();
    // Once, on the first run of a copy whose folder the user cannot write.
    const QString hinweis = DatenortHinweis(
        ordner, QCoreApplication::applicationDirPath().toStdString(), daten->Programm.Sprache);
    if (!hinweis.isEmpty()) dialog.Hinweis(hinweis);
    // A recovery copy left by a run that did not end cleanly is offered first.
    dialog.WiederherstellungAnbieten();
    offen = &dialog;
    const int ergebnis = anwendung.exec();
    offen = nullptr;
    return ergebnis;
  } catch (const std::exception& fehler) {
    offen = nullptr;
    QMessageBox::critical(nullptr, "Vandor Editor", QString::fromLocal8Bit(fehler.what()));
    return 1;
  }
}
