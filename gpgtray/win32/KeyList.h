#pragma once
// The list boxes that show keys, one row per key and one column per tab stop, under the
// column headings of the dialog template.

#include <windows.h>

#include <string>

#include "gpgtray/core/CodePage.h"
#include "gpgtray/core/Key.h"

namespace gpgtray {

// Sets the columns' tab stops and empties the list.
void ResetKeyList(HWND list);

// Adds the key's row, with the extra column when there is one; its index.
int AddKeyRow(HWND list, const Key& key, const ICodePage& codePage, const std::string& extra = "");

// The text of a dialog's control.
std::string ControlText(HWND dialog, int id);

}  // namespace gpgtray
