#include "app/DocumentField.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

using desklet::DocumentField;

namespace {

// What a send takes from the field: the file, the name it travels under, the job
// it replaces, and what is deleted after it.
TEST(DocumentField, SaysWhatTheFieldsTextStandsFor) {
    struct Row {
        const char* name;
        void (*set)(DocumentField&);
        std::string text; // the field's text at the send
        std::string path;
        std::string travelsAs;
        std::optional<std::int64_t> replaces;
        std::string deleted;
    };
    const Row rows[] = {
        {"a file typed is itself", [](DocumentField&) {}, "/home/ann/a.pdf", "/home/ann/a.pdf", "", {}, ""},
        {"a handed-over file is deleted after",
         [](DocumentField& f) { f.HandOver("/tmp/QuillTmp1.pdf"); },
         "/tmp/QuillTmp1.pdf",
         "/tmp/QuillTmp1.pdf",
         "",
         {},
         "/tmp/QuillTmp1.pdf"},
        {"a printed document goes under its title",
         [](DocumentField& f) { f.ShowPrinted("/spool/d00042-001", "Quarterly report.pdf"); },
         "Quarterly report.pdf",
         "/spool/d00042-001",
         "Quarterly report.pdf",
         {},
         "/spool/d00042-001"},
        {"another file typed over a printed title is that file",
         [](DocumentField& f) { f.ShowPrinted("/spool/d00042-001", "Quarterly report.pdf"); },
         "/home/ann/b.pdf",
         "/home/ann/b.pdf",
         "",
         {},
         "/spool/d00042-001"},
        {"a kept copy goes under its name and replaces its job, never deleted here",
         [](DocumentField& f) {
             f.ShowKeptCopy("/data/outbox/copy-7", "Invoice.pdf");
             f.Replaces(7, "Invoice.pdf");
             f.TextChanged("Invoice.pdf");
         },
         "Invoice.pdf", "/data/outbox/copy-7", "Invoice.pdf", 7, ""},
        {"another document drops the job it would have replaced",
         [](DocumentField& f) {
             f.ShowKeptCopy("/data/outbox/copy-7", "Invoice.pdf");
             f.Replaces(7, "Invoice.pdf");
             f.TextChanged("/home/ann/c.pdf");
             f.TextChanged("Invoice.pdf");
         },
         "Invoice.pdf",
         "/data/outbox/copy-7",
         "Invoice.pdf",
         {},
         ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        DocumentField field;
        row.set(field);
        EXPECT_EQ(field.PathFor(row.text), row.path);
        EXPECT_EQ(field.NameFor(row.text), row.travelsAs);
        EXPECT_EQ(field.ReplacedJob(), row.replaces);
        EXPECT_EQ(field.TakeHandedOver(), row.deleted);
        EXPECT_EQ(field.TakeHandedOver(), "") << "given once";
    }
}

} // namespace
