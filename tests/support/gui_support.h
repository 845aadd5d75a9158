#pragma once
// Helpers of the window tests: controls by their object names, the tabs of a
// thread window, a thread entered on its parameter page, a frame of its own.

#include "app/main_form.h"
#include "support/test_support.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QtGlobal>

#include <memory>

template <typename T> T* Child(const QObject& w, const char* name) {
    T* c = w.findChild<T*>(QString::fromLatin1(name));
    if (!c) qFatal("no control %s", name);
    return c;
}

inline bool Shown(const QObject& w, const char* name) {
    return !Child<QWidget>(w, name)->isHidden();
}

inline QStringList Tabs(const QObject& w) {
    auto* bar = Child<QTabBar>(w, "TabSet1");
    QStringList texts;
    for (int i = 0; i < bar->count(); ++i)
        texts << bar->tabText(i);
    return texts;
}

// Brings the tab up; false when the window has none of that caption.
inline bool ShowTab(const QObject& w, const QString& caption) {
    const int i = static_cast<int>(Tabs(w).indexOf(caption));
    if (i >= 0) Child<QTabBar>(w, "TabSet1")->setCurrentIndex(i);
    return i >= 0;
}

// Type, class (none for an empty text), diameter and pitch on the parameter
// page, then Calculate.
inline void CalculateThread(const QObject& w, const QString& type, const QString& cls,
                            const QString& dia, const QString& pitch) {
    Child<QComboBox>(w, "cboType")->setCurrentText(type);
    if (!cls.isEmpty()) Child<QComboBox>(w, "cboClass")->setCurrentText(cls);
    Child<QLineEdit>(w, "txtNomDia")->setText(dia);
    Child<QLineEdit>(w, "txtPitch")->setText(pitch);
    Child<QPushButton>(w, "Button2")->click();
}

// A frame whose settings files live in `dir`.
inline std::unique_ptr<TMainForm>
MakeTestFrame(const TempDir& dir, const QString& helpDir = PL_SOURCE_DIR "/app/help") {
    FrameConfig c;
    c.programDir = PL_BIN_DIR "/";
    c.plwinIni = dir.file("PLWIN.INI");
    c.pluserIni = dir.file("PLUSER.INI");
    c.exePath = "/opt/pitchledger/bin/plwin";
    c.helpDir = helpDir;
    return std::make_unique<TMainForm>(c);
}
