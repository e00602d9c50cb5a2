#pragma once
// Ending the program at the user's request.

// What "&Unload" in the properties window and "E&xit" on the tools menu do: the program
// ends once control is back in the message loop.
void UnloadProgram();
