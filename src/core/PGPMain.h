#pragma once
// The processing routine: one run carries the message of the mailer's current window
// through PGP and, for outgoing mail, back into the window.

// Runs the routine: a routine run (the tray icon, the Routine page) takes its outward
// command from optProcessing, a special run (the Special page) from optOutward. A start
// while a run is in progress only writes a line to the debug log. An unexpected error
// passes through to the caller after the run's clean-up.
void MainPGP(bool routineRun);
