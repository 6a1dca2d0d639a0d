#pragma once

#include <QWidget>

namespace desklet {

// Where to learn more about the fax service: a line on asking questions or
// signing up, then the web site as a link and the telephone number.
class ContactInfoCtrl : public QWidget {
    Q_OBJECT
public:
    // The ids the owning dialog finds the children by.
    struct Ids {
        int questions;
        int webSite;
        int phone;
    };

    ContactInfoCtrl(const Ids& ids, QWidget* parent = nullptr);
};

} // namespace desklet
