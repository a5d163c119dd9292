#pragma once

// Marks a text below the shell that the editor shows in the interface's language: it stays
// the program's own French here, and the shell translates it in `context` when it shows it.
// The translation tools read this mark as they read Qt's QT_TRANSLATE_NOOP.
#define KESH_TRANSLATABLE(context, text) text
