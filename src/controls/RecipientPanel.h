#pragma once

#include <QWidget>

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

class QAbstractItemModel;
class QLineEdit;

namespace desklet {
class CCharFilterEdit;
}
class QListWidget;

namespace desklet {

// "Fax Recipients:": the list of numbers on the left; on the right the hint, the
// field a number is typed into, << Add and >> Remove. Remove takes the selected
// entries out; what Add admits, and where, is the owner's to judge (AddClicked,
// InsertEntry), as the number rules are not the panel's.
class RecipientPanel : public QWidget {
    Q_OBJECT
public:
    // The ids the owning dialog finds the children by.
    struct Ids {
        int listLabel;
        int list;
        int hint;
        int number;
        int add;
        int remove;
    };

    // numberChars: the only characters the number field lets the user type.
    RecipientPanel(const Ids& ids, std::string_view numberChars, QWidget* parent = nullptr);

    std::vector<std::string> Entries() const;
    void SetEntries(const std::vector<std::string>& entries);
    void InsertEntry(std::size_t position, const std::string& entry);
    // The list's rows, for those who count them.
    QAbstractItemModel* Model() const;
    // The field a number is typed into, for a completion to attach to.
    QLineEdit* NumberField() const;
    // Lets the number field take any character, for a completion that finds
    // numbers by name; the number rules still judge what is added.
    void AcceptNames();
    // Puts a chosen number into the field and adds it as Add would.
    void AddChosenNumber(const QString& number);

signals:
    void AddClicked();

private:
    void RemoveSelected();

    QListWidget* m_listRecipients = nullptr;
    CCharFilterEdit* m_number = nullptr;
};

} // namespace desklet
