#pragma once

#include <QAbstractSpinBox>

#include <cstdint>

class QLineEdit;

namespace vantor {

// A number box with arrows that step its value within a range. Unlike a
// QSpinBox it keeps whatever text it is given: an account may hold a limit
// beyond the arrows' range (or 0 while the limit is off), and that value must
// survive being shown and stored again. The dialog takes the text as an
// unsigned number itself, with the standard validation message.
class UpDownBox : public QAbstractSpinBox {
    Q_OBJECT
public:
    explicit UpDownBox(QWidget* parent = nullptr);

    void setRange(std::uint32_t min, std::uint32_t max);
    QLineEdit* edit() const { return lineEdit(); }

    void stepBy(int steps) override;

protected:
    StepEnabled stepEnabled() const override;

private:
    std::uint32_t min_ = 0;
    std::uint32_t max_ = UINT32_MAX;
};

} // namespace vantor
