// Each calculator subsystem registers its forms under their own names.
#pragma once

#include "common/workbench.h"

namespace ondalab {

void registerVoltsForms(FormRegistry& registry);
void registerLcForms(FormRegistry& registry);
void registerAntennaForms(FormRegistry& registry);
void registerLineForms(FormRegistry& registry);
void registerCapacitorForms(FormRegistry& registry);
void registerResistorForms(FormRegistry& registry);
void registerActiveForms(FormRegistry& registry);
void registerReferenceForms(FormRegistry& registry);

}  // namespace ondalab
