#pragma once

// The engine hands out English source texts, never shown ones; the views translate them
// in the "Engine" context. The marker lets Qt's lupdate find them while the engine stays
// free of Qt.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, text) text
#endif
