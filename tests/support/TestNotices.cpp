#include "TestNotices.h"

namespace fixture {

TNotices::TNotices()
{
    platform::Notices::SetResponder([this](const platform::Notices::TShown& box) {
        shown.append(box);
        if (whileOpen)
            whileOpen(box);
        if (box.kind != platform::Notices::Kind::Confirmation)
            return true;
        if (answers.empty()) {
            ++unexpectedConfirmations;
            return false;
        }
        const bool ok = answers.front();
        answers.pop_front();
        return ok;
    });
}

TNotices::~TNotices()
{
    platform::Notices::SetResponder({});
}

QStringList TNotices::Texts() const
{
    QStringList texts;
    for (const platform::Notices::TShown& box : shown)
        texts << box.text;
    return texts;
}

} // namespace fixture
