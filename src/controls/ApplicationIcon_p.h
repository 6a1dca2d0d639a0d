#pragma once

#include <QIcon>
#include <QLabel>

namespace desklet {

// The program's icon, as the small dialogs show it at the top left.
inline constexpr const char* kApplicationIconPath = ":/desklet/icons/desklet.svg";
inline constexpr int kDialogIconSize = 32;

inline QLabel* CreateIconLabel(QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(QStringLiteral("applicationIcon"));
    label->setPixmap(QIcon(QString::fromLatin1(kApplicationIconPath)).pixmap(kDialogIconSize, kDialogIconSize));
    label->setFixedSize(kDialogIconSize, kDialogIconSize);
    return label;
}

} // namespace desklet
