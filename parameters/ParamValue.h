#pragma once
// A parameter value: empty until first validated, then either a number or the
// failure mark (the empty text) that a failed validation leaves.

#include <variant>

class ParamValue {
public:
    ParamValue() = default;
    static ParamValue failureMark();
    ParamValue(double number) : m_value(number) {}

    bool isEmpty() const { return std::holds_alternative<std::monostate>(m_value); }
    bool isNumber() const { return std::holds_alternative<double>(m_value); }
    // A number never equals the failure mark.
    bool isFailureMark() const { return std::holds_alternative<FailureMark>(m_value); }

    // The number; using a value that is not a number is Failure::typeMismatch().
    double number() const;

private:
    struct FailureMark {};
    std::variant<std::monostate, double, FailureMark> m_value;
};
