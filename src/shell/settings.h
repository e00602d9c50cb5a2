#pragma once
// The settings file "Tervane5.INI" and the data files of the properties window.

// Fills the properties model and the shell state from disk. Runs at start-up and again for
// the properties window's Cancel.
void LoadSettings();

// Writes the properties model to disk; the properties window's OK.
void SaveSettings();

// Writes the tip state (TipNumber, TipEnabled) and sets the Options page's "&Enable" box to
// the enabled flag. Runs after every change of either.
void SaveTipSettings();
