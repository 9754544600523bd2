// SPDX-License-Identifier: GPL-3.0-or-later
// A one-line label for texts that may be longer than any window (a file's path in the status
// bar): too narrow for its text, it shows the text shortened in the middle and the whole of
// it as its tooltip, so it never shows a text cut off at its edge. Screen readers are given
// the whole text as the label's description.
//
//   auto *label = new ElidedLabel;
//   label->setFullText(path);
#pragma once

#include <QLabel>

class ElidedLabel final : public QLabel
{
    Q_OBJECT

public:
    explicit ElidedLabel(QWidget *parent = nullptr);

    void setFullText(const QString &text);
    [[nodiscard]] const QString &fullText() const { return m_fullText; }

    /// As wide as the whole text.
    [[nodiscard]] QSize sizeHint() const override;
    /// Room for a few characters and the ellipsis.
    [[nodiscard]] QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void elide();

    QString m_fullText;
};
