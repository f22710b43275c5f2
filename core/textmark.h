#pragma once
// Marks a text of the Qt-free layers for translation without needing Qt:
// lupdate reads the context and the Hungarian text, and the text layer that
// shows it translates it with QCoreApplication::translate(context, text).
// The definition is Qt's own, so either may come first.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif
