// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/groupaccessorybuttons.h"

#include "ui/bundlepicture.h"
#include "ui/grouptablemodel.h"
#include "ui/shapedbutton.h"
#include "ui/uitext.h"

using namespace Qt::StringLiterals;

GroupAccessoryButtons::GroupAccessoryButtons(GroupTableModel &model, const Bundle &bundle,
                                             int width, QWidget *parent)
    : QWidget(parent)
{
    setObjectName(u"groupAccessoryView"_s);
    setAccessibleName(UiText::tr("Group list buttons"));
    resize(width, 3 * width);
    auto *selectAll
        = addButton(bundle, u"accessoryView_SelectAll"_s, QT_TRANSLATE_NOOP("ui", "Select all"),
                    QT_TRANSLATE_NOOP("ui", "Tick every group"), 0);
    auto *selectNone
        = addButton(bundle, u"accessoryView_SelectNone"_s, QT_TRANSLATE_NOOP("ui", "Select none"),
                    QT_TRANSLATE_NOOP("ui", "Untick every group"), width);
    auto *refresh = addButton(
        bundle, u"accessoryView_Refresh"_s, QT_TRANSLATE_NOOP("ui", "Refresh"),
        QT_TRANSLATE_NOOP("ui", "Read the groups of the address book again"), 2 * width);
    connect(selectAll, &QAbstractButton::clicked, &model,
            [&model] { model.setSelectedGroupNamesTable(true); });
    connect(selectNone, &QAbstractButton::clicked, &model,
            [&model] { model.setSelectedGroupNamesTable(false); });
    connect(refresh, &QAbstractButton::clicked, this, &GroupAccessoryButtons::refreshRequested);
}

QEV_ShapedButton *GroupAccessoryButtons::addButton(const Bundle &bundle, const QString &picture,
                                                   const char *name, const char *toolTip, int top)
{
    auto *button = new QEV_ShapedButton(this);
    const int side = width();
    const qreal ratio = devicePixelRatioF();
    button->setObjectName(picture);
    button->setAccessibleName(UiText::tr(name));
    button->setToolTip(UiText::tr(toolTip));
    button->setImage(bundlePicture(bundle, picture, ratio));
    button->setAlternateImage(bundlePicture(bundle, picture + u"_p"_s, ratio));
    button->setGeometry(0, top, side, side);
    return button;
}
