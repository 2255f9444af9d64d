#include "app/datenort.h"

#include "base/text.h"

QString DatenortHinweis(const TDatenordner& ordner, const std::string& programmordner,
                        uint8_t sprache) {
  if (!ordner.Verlegt || !ordner.Neu) return {};
  const TText text =
      sprache == 1 ? "The program folder \"%1\" cannot be written. New scenarios and your settings "
                     "are kept in \"%2\"; the scenarios and pictures of the program folder are "
                     "still shown."
                   : "Der Programmordner \"%1\" ist schreibgesch\xFCtzt. Neue Szenarios und Ihre "
                     "Einstellungen werden in \"%2\" gespeichert; die Szenarios und Bilder des "
                     "Programmordners werden weiterhin gezeigt.";
  return QString::fromStdString(Latin1NachUtf8(text))
      .arg(QString::fromStdString(programmordner), QString::fromStdString(ordner.Daten));
}
