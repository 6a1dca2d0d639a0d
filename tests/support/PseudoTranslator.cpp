#include "support/PseudoTranslator.h"

#include <QCoreApplication>

namespace desklet::test {
namespace {

const QString kOpen = QStringLiteral("\u27E6");
const QString kClose = QStringLiteral("\u27E7");

} // namespace

PseudoTranslator::PseudoTranslator(Rewrite rewrite) : m_rewrite(std::move(rewrite)) {
    QCoreApplication::installTranslator(this);
}

PseudoTranslator::~PseudoTranslator() {
    QCoreApplication::removeTranslator(this);
}

QString PseudoTranslator::translate(const char* context, const char* sourceText, const char* /*disambiguation*/,
                                    int /*n*/) const {
    // Qt's own classes translate their texts too (QPlatformTheme's buttons,
    // QShortcut's key names); those come from Qt's translations, not ours. An
    // empty text stays empty, and so the null answer means "not translated".
    const bool qtOwn = context != nullptr && context[0] == 'Q' && context[1] >= 'A' && context[1] <= 'Z';
    if (qtOwn || sourceText == nullptr || *sourceText == '\0') {
        return {};
    }
    return m_rewrite(QString::fromUtf8(sourceText));
}

QString PseudoTranslator::Mark(const QString& text) {
    return kOpen + text + kClose;
}

bool PseudoTranslator::IsMarked(const QString& text) {
    return text.startsWith(kOpen) && text.endsWith(kClose);
}

} // namespace desklet::test
