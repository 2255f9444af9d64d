#include "app/wiederherstellung_frage.h"

#include <QMessageBox>
#include <QPushButton>

namespace {

QString Wahl(uint8_t sprache, const char* deutsch, const char* englisch) {
  return QString::fromLatin1(sprache == 1 ? englisch : deutsch);
}

} // namespace

TWiederherstellWahl WiederherstellungFragen(QWidget* eltern, uint8_t sprache, const QString& titel,
                                            const QString& datum) {
  QMessageBox frage(
      QMessageBox::Warning, titel,
      Wahl(sprache,
           "Der Editor wurde zuletzt beendet, ohne die ge\xE4nderte Karte zu speichern. Eine "
           "Wiederherstellungskopie vom %1 ist vorhanden. Soll sie zur\xFC"
           "ckgeholt werden?",
           "The editor last ended without saving the changed map. A recovery copy of %1 is "
           "there. Bring it back?")
          .arg(datum),
      QMessageBox::NoButton, eltern);
  QPushButton* holen = frage.addButton(Wahl(sprache,
                                            "Zur\xFC"
                                            "ckholen",
                                            "Bring back"),
                                       QMessageBox::AcceptRole);
  QPushButton* verwerfen =
      frage.addButton(Wahl(sprache, "Verwerfen", "Discard"), QMessageBox::DestructiveRole);
  frage.setDefaultButton(holen);
  frage.setEscapeButton(holen);
  frage.exec();
  return frage.clickedButton() == verwerfen ? wwVerwerfen : wwZurueckholen;
}
