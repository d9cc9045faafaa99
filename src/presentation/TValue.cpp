#include "presentation/TValue.h"

#include <iostream>

std::shared_ptr<TValue> TValue::Create(const std::string& name, int value) {
    auto made = std::make_shared<TValue>();
    made->name = name;
    made->value = value;
    return made;
}

void TValue::PrintValue() const {
    std::clog << name << "=" << value << "\n";
}
