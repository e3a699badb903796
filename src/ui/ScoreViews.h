#pragma once

class QWidget;
class qlGame;
class qlPlayer;

// Where the table explains its scores: a seat's points part by part on its points label, and
// every seat's at the end of the game.

// Shows `seat`'s points part by part while `label` is hovered, and at a click on it; nothing
// once the seat is none.
void ExplainPoints(QWidget& label, const qlPlayer* seat);

// Every seat's points part by part, side by side, and how a tie for the most points was broken.
QWidget* NewScoreDetails(const qlGame& game, QWidget* parent);
