#include "placeholder_screen.h"

#include "platform/fonts.h"
#include "platform/geometry.h"

#include <QLabel>
#include <QVBoxLayout>

namespace piyota {

PlaceholderScreen::PlaceholderScreen(AppContext &app, const QString &name)
    : Screen(app)
{
    setWindowTitle(QStringLiteral("  ぴよたの研修旅行2008（２次関数の巻） for Windows"));
    setFixedSize(twipsSize(6615, 5655));
    auto *layout = new QVBoxLayout(this);
    auto *label = new QLabel(name + QStringLiteral("（準備中）"), this);
    label->setObjectName(QStringLiteral("PlaceholderLabel"));
    label->setAlignment(Qt::AlignCenter);
    label->setFont(gothicFont(11.25, true));
    layout->addWidget(label);
}

} // namespace piyota
