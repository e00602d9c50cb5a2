#pragma once
// The menu command identifiers that the tray program accepts as WM_COMMAND.

enum class Action { Encrypt, EncryptSign, Sign, DecryptVerify, AddKey, Properties, Tools, Nothing };

struct CommandInfo {
    unsigned id;
    const char* name;
    Action action;
};

// The entry of the identifier; an identifier outside the table gives an entry named
// "(unknown)" that does nothing.
const CommandInfo& LookupCommand(unsigned id);

// True for the commands that read or replace the clipboard's text.
bool WorksOnClipboard(Action action);
