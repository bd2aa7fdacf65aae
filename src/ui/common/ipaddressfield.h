// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// An IP address field: four parts, each 0 to 255, digits only, with a blank state that is not
// 0.0.0.0. Typing "." or a fourth digit moves on to the next part, Backspace in an empty part
// and Left at a part's start move back. To the screen it is one control (enable, clear, set,
// read) and one tab stop; to a screen reader one named control whose parts are "1" to "4".

#include <QFrame>
#include <array>

class QLineEdit;

namespace wks::ui {

class IpAddressField : public QFrame {
    Q_OBJECT
  public:
    using Parts = std::array<int, 4>;

    explicit IpAddressField(QWidget* parent = nullptr);

    // Blanks all four parts.
    void clear();
    // True when all four parts are blank.
    bool isBlank() const;
    // Shows the four numbers; each must be 0 to 255.
    void setAddress(const Parts& parts);
    // The four numbers, first to fourth; a blank part reads 0.
    Parts address() const;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    enum class Cursor { SelectAll, Start, End };
    int indexOf(QObject* part) const;
    QLineEdit* part(int index) const { return parts_[static_cast<std::size_t>(index)]; }
    void moveTo(int index, Cursor cursor);
    static void limitTo255(QLineEdit* part);

    std::array<QLineEdit*, 4> parts_{};
};

}  // namespace wks::ui
