#include "app/Forms.h"
#include "calibration/Form2.h"
#include "docs/Form1.h"
#include "drawing/Form4.h"
#include "parameters/Form3.h"

#include <memory>

namespace {
template <class Form> std::unique_ptr<Form> &slot()
{
    static std::unique_ptr<Form> instance;
    return instance;
}

template <class Form> Form &single()
{
    if (!slot<Form>())
        slot<Form>() = std::make_unique<Form>();
    return *slot<Form>();
}
}

Form1 &Forms::form1() { return single<Form1>(); }
Form2 &Forms::form2() { return single<Form2>(); }
Form3 &Forms::form3() { return single<Form3>(); }
Form4 &Forms::form4() { return single<Form4>(); }

template <class Form> bool Forms::exists()
{
    return slot<Form>() != nullptr;
}
template bool Forms::exists<Form1>();
template bool Forms::exists<Form2>();
template bool Forms::exists<Form3>();
template bool Forms::exists<Form4>();

void Forms::destroyAll()
{
    slot<Form4>().reset();
    slot<Form3>().reset();
    slot<Form2>().reset();
    slot<Form1>().reset();
}
