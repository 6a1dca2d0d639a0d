#include "support/UserPaste.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QTest>

#include <gtest/gtest.h>

namespace desklet::test {

void Paste(QLineEdit& edit, const QString& text, PasteRoute route) {
    QApplication::clipboard()->setText(text);
    switch (route) {
    case PasteRoute::CtrlV:
        QTest::keyClick(&edit, Qt::Key_V, Qt::ControlModifier);
        break;
    case PasteRoute::ShiftInsert:
        QTest::keyClick(&edit, Qt::Key_Insert, Qt::ShiftModifier);
        break;
    case PasteRoute::ContextMenu: {
        const QPoint inside(2, 2);
        QContextMenuEvent request(QContextMenuEvent::Mouse, inside, edit.mapToGlobal(inside));
        QApplication::sendEvent(&edit, &request);
        QMenu* menu = edit.findChild<QMenu*>(QString(), Qt::FindDirectChildrenOnly);
        ASSERT_NE(menu, nullptr) << "the edit opened no context menu";
        for (QAction* action : menu->actions()) {
            if (action->text().startsWith(QStringLiteral("&Paste"))) {
                action->trigger();
            }
        }
        // Closed as a click on an item closes it; the edit's menu then goes.
        menu->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        break;
    }
    case PasteRoute::Drop: {
        QMimeData data;
        data.setText(text);
        const QPoint end(edit.width() - 2, edit.height() / 2);
        QDragEnterEvent enter(end, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&edit, &enter);
        QDragMoveEvent move(end, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&edit, &move);
        QDropEvent drop(QPointF(end), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&edit, &drop);
        break;
    }
    }
}

} // namespace desklet::test
