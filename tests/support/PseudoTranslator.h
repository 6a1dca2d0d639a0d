#pragma once

#include <QString>
#include <QTranslator>

#include <functional>

namespace desklet::test {

// A translation of every text, made up on the spot: while installed, each text
// that passes through tr() or QCoreApplication::translate() comes back rewritten,
// so that a text that did not pass through them stands out. The default marks each
// text "⟦" text "⟧", keeping %1, %n and the & of a mnemonic as they are; another
// rewrite (a longer text, say, for the layout) can be handed in. Qt's own texts
// (context "Q...") are left alone. Installed while it lives.
class PseudoTranslator : public QTranslator {
public:
    using Rewrite = std::function<QString(const QString&)>;

    explicit PseudoTranslator(Rewrite rewrite = Mark);
    ~PseudoTranslator() override;

    PseudoTranslator(const PseudoTranslator&) = delete;
    PseudoTranslator& operator=(const PseudoTranslator&) = delete;

    QString translate(const char* context, const char* sourceText, const char* disambiguation = nullptr,
                      int n = -1) const override;
    bool isEmpty() const override { return false; }

    static QString Mark(const QString& text);
    // The whole text is one marked text, with its arguments filled in.
    static bool IsMarked(const QString& text);

private:
    Rewrite m_rewrite;
};

} // namespace desklet::test
