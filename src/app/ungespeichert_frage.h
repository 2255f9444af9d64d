#pragma once
// The question before "Szenario erzeugen" replaces a map with unsaved changes.
#include <QString>
#include <cstdint>

class QWidget;

enum TUngespeichertWahl : uint8_t {
  uwSpeichern, // save the map first (the file-name query), then build
  uwVerwerfen, // build, the changes are lost
  uwZurueck    // build nothing: back to the dialog
};

// A message box in the language (0 German, 1 English) over eltern; Escape and closing it go back.
TUngespeichertWahl UngespeichertFragen(QWidget* eltern, uint8_t sprache, const QString& titel);
