#include "parameters/ParamValue.h"
#include "runtime/Failure.h"

ParamValue ParamValue::failureMark()
{
    ParamValue value;
    value.m_value = FailureMark{};
    return value;
}

double ParamValue::number() const
{
    if (!isNumber())
        throw Failure::typeMismatch();
    return std::get<double>(m_value);
}
