#pragma once
// The three records that live for the whole run: the game record with the map being edited,
// the scenario last previewed or saved, and the editor state. The program owns one of these and
// hands it to both windows; a test makes its own.
#include "editor/programm.h"
#include "model/spiel.h"
#include "model/szenario.h"

struct TProgrammdaten {
  TKV KV;
  TSzenario Szenario;
  TProgramm Programm;
};
