// The look-up forms: one combo box whose sorted list the load step fills
// from a fixed table, and an exit button. The glossary (frmdizionario), the
// specific weights (frmpeso) and the resistivities (frmresistività).
#pragma once

#include <span>
#include <string_view>

#include "common/form.h"

namespace ondalab {

struct LookupSpec {
    FormSpec form;
    const char* combo;  // "cbodizionario"
    const char* text;   // the field's design-time text
    const char* exit;   // "cmdesci"
    const char* exitCaption;
    std::span<const std::string_view> entries;
};

class LookupForm : public Form {
protected:
    LookupForm(Workbench& wb, const LookupSpec& spec);

private:
    void Form_Load() override;  // the list, rebuilt on every opening
    void exit_Click() { close(); }

    std::span<const std::string_view> entries_;
    Control& combo_;
};

class Frmdizionario : public LookupForm {
public:
    static constexpr const char* kName = "frmdizionario";
    explicit Frmdizionario(Workbench& wb);
};

class Frmpeso : public LookupForm {
public:
    static constexpr const char* kName = "frmpeso";
    explicit Frmpeso(Workbench& wb);
};

class Frmresistivita : public LookupForm {
public:
    static constexpr const char* kName = "frmresistività";
    explicit Frmresistivita(Workbench& wb);
};

}  // namespace ondalab
