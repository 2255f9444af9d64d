#include "app/ungespeichert_frage.h"

#include <QMessageBox>
#include <QPushButton>

namespace {

QString Wahl(uint8_t sprache, const char* deutsch, const char* englisch) {
  return QString::fromLatin1(sprache == 1 ? englisch : deutsch);
}

} // namespace

TUngespeichertWahl UngespeichertFragen(QWidget* eltern, uint8_t sprache, const QString& titel) {
  QMessageBox frage(QMessageBox::Question, titel,
                    Wahl(sprache,
                         "Die Karte hat ungespeicherte \xC4nderungen. Sollen sie gespeichert "
                         "werden, bevor ein neues Szenario erzeugt wird?",
                         "The map has unsaved changes. Save them before a new scenario is "
                         "built?"),
                    QMessageBox::NoButton, eltern);
  QPushButton* speichern =
      frage.addButton(Wahl(sprache, "Speichern...", "Save..."), QMessageBox::AcceptRole);
  QPushButton* verwerfen = frage.addButton(
      Wahl(sprache, "\xC4nderungen verwerfen", "Discard changes"), QMessageBox::DestructiveRole);
  QPushButton* zurueck = frage.addButton(QMessageBox::Cancel);
  zurueck->setText(Wahl(sprache,
                        "Zur\xFC"
                        "ck",
                        "Back"));
  frage.setDefaultButton(speichern);
  frage.setEscapeButton(zurueck);
  frage.exec();
  if (frage.clickedButton() == speichern) return uwSpeichern;
  if (frage.clickedButton() == verwerfen) return uwVerwerfen;
  return uwZurueck;
}
