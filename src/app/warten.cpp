#include "app/warten.h"

#include <QCoreApplication>
#include <QCursor>
#include <QEvent>
#include <QGuiApplication>

namespace {

int OffeneRahmen = 0;
// Long work ended since the outermost frame opened.
bool Aufgestaut = false;

// Eats every input event while it is installed.
struct TEingabesperre : QObject {
  bool eventFilter(QObject*, QEvent* ereignis) override { return ereignis->isInputEvent(); }
};

void AufgestauteEingabeVerwerfen() {
  TEingabesperre sperre;
  QCoreApplication* app = QCoreApplication::instance();
  app->installEventFilter(&sperre);
  // Frames opened by the events run now must not drop again.
  ++OffeneRahmen;
  QCoreApplication::processEvents();
  --OffeneRahmen;
  app->removeEventFilter(&sperre);
}

} // namespace

void WartecursorAn() {
  QGuiApplication::setOverrideCursor(Qt::WaitCursor);
}

void WartecursorAus() {
  QGuiApplication::restoreOverrideCursor();
  Aufgestaut = true;
}

TArbeitsrahmen::TArbeitsrahmen() {
  ++OffeneRahmen;
}

TArbeitsrahmen::~TArbeitsrahmen() {
  if (--OffeneRahmen > 0 || !Aufgestaut) return;
  Aufgestaut = false;
  AufgestauteEingabeVerwerfen();
}
