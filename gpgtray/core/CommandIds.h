#pragma once
/* The menu command identifiers that the tray window takes as WM_COMMAND. Plain defines, so
   that the resource compiler can read them too: the operation chooser's buttons carry them. */

#define GPGTRAY_ADD_KEY 40006
#define GPGTRAY_ENCRYPT_SIGN 40007
#define GPGTRAY_DECRYPT_VERIFY 40008
#define GPGTRAY_PROPERTIES 40012
#define GPGTRAY_CHOOSE 40016
#define GPGTRAY_ENCRYPT 40017
#define GPGTRAY_SIGN 40018
#define GPGTRAY_TOOLS 40019
