#pragma once

#include "framework/CWinApp.h"

class QWidget;

namespace desklet {

// A small dialog opened without an owner belongs to the application's main
// window, so that it stays above it and is centred on it.
inline QWidget* OwnerOrMainWindow(QWidget* parent) {
    if (parent != nullptr) {
        return parent;
    }
    CWinApp* app = AfxGetApp();
    return app != nullptr ? app->m_pMainWnd : nullptr;
}

} // namespace desklet
