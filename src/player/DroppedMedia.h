#pragma once

#include <QStringList>

namespace kyvra {

class Player;

// Loads a drop of files on one of the player's windows: the last existing file named, provided
// any existing one ends in a video ending (compared case-sensitively, no dot needed). A drop
// that carries no file gets the "Drag & Drop Error" box; one that loads nothing but names a folder
// with a video ending says it is a folder.
void LoadDroppedMedia(Player& player, const QStringList& files);

} // namespace kyvra
