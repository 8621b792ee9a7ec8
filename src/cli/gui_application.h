#pragma once

#include <QGuiApplication>
#include <memory>

// Drawing text and images needs a QGuiApplication, and the command line must
// work without a display. Returns a new application on the offscreen platform
// (unless QT_QPA_PLATFORM says otherwise) when none exists yet, to be kept
// alive while drawing; returns none when one exists already.
std::unique_ptr<QGuiApplication> ensureGuiApplication();
