target_sources(elica_core PRIVATE
  parameters/ParamValue.h parameters/ParamValue.cpp
  parameters/ColourCounter.h parameters/ColourCounter.cpp
  parameters/ValueStep.h parameters/ValueStep.cpp
  parameters/Form3.h parameters/Form3.cpp
)
