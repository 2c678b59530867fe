#pragma once
// The pure half of every family's builder: given the (element, valence column) pair, or pair of
// pairs, and the task (Mode_actual: formula or name), the finished exercise. The deck walks that
// choose the pairs live in the draw (sorteig.h).

#include "data/taules.h"
#include "generation/exercici.h"

namespace quimerix {

Exercici formularOXIDS(const Taules &t, Parell p, Tasca Mode_actual);
Exercici formularHIDRURS(const Taules &t, Parell p, Tasca Mode_actual);
Exercici formularHIDRURSHIDRACIDS(const Taules &t, Parell p, Tasca Mode_actual);
// a: the metal, b: the non-metal.
Exercici formularSALSBINARIES(const Taules &t, Parell a, Parell b, Tasca Mode_actual);
// a: the less electronegative non-metal, b: the more electronegative one.
Exercici formularCOMPOSTOSBINARISNoMetallNoMetall(const Taules &t, Parell a, Parell b, Tasca Mode_actual);
Exercici formularHIDROXIDS(const Taules &t, Parell p, Tasca Mode_actual);
Exercici formularOXIACIDS(const Taules &t, Parell p, Tasca Mode_actual);
Exercici formularOXIACIDSESPECIALS(const Taules &t, Parell p, Tasca Mode_actual);
// a: the acid-forming non-metal, b: the metal.
Exercici formularOXISALS(const Taules &t, Parell a, Parell b, Tasca Mode_actual);
Exercici formularOXISALSESPECIALS(const Taules &t, Parell a, Parell b, Tasca Mode_actual);

} // namespace quimerix
