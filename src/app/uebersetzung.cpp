#include "app/uebersetzung.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QPointer>
#include <QTranslator>

bool QtTexteLaden(uint8_t sprache) {
  // Owned by the application object: it goes with it.
  static QPointer<QTranslator> geladen;
  if (geladen) {
    QCoreApplication::removeTranslator(geladen);
    delete geladen;
  }
  if (sprache != 0) return true;
  auto* uebersetzer = new QTranslator(QCoreApplication::instance());
  if (!uebersetzer->load("qtbase_de", QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    delete uebersetzer;
    return false;
  }
  QCoreApplication::installTranslator(uebersetzer);
  geladen = uebersetzer;
  return true;
}
