target_sources(elica_core PRIVATE
  picture/PictureCheck.h picture/PictureCheck.cpp
  picture/MachineForm.h picture/MachineForm.cpp
  picture/CurveCaption.h picture/CurveCaption.cpp
  picture/LegacyWords.h picture/LegacyWords.cpp
  picture/FileWords.h
  picture/Picture.h picture/Picture.cpp
  picture/AnimationWords.h picture/AnimationWords.cpp
)
