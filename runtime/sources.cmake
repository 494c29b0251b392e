target_sources(elica_core PRIVATE
  runtime/About.h
  runtime/Failure.h
  runtime/Int16.h runtime/Int16.cpp
  runtime/Palette.h runtime/Palette.cpp
  runtime/NumberText.h runtime/NumberText.cpp
  runtime/Twips.h runtime/Twips.cpp
  runtime/Angles.h runtime/Angles.cpp
  runtime/Controls.h runtime/Controls.cpp
  runtime/WrappingButton.h runtime/WrappingButton.cpp
  runtime/UserScale.h runtime/UserScale.cpp
  runtime/Clip.h runtime/Clip.cpp
  runtime/MarkRecord.h runtime/MarkRecord.cpp
  runtime/Surface.h runtime/Surface.cpp
  runtime/SaveDialog.h runtime/SaveDialog.cpp
  runtime/Dialogs.h runtime/Dialogs.cpp
  runtime/Program.h runtime/Program.cpp
  runtime/ScreenFlow.h runtime/ScreenFlow.cpp
  runtime/AccessibleText.h runtime/AccessibleText.cpp
  runtime/SpokenValue.h runtime/SpokenValue.cpp
  runtime/GraphicRole.h runtime/GraphicRole.cpp
  runtime/SurfaceFigure.h runtime/SurfaceFigure.cpp
  runtime/FocusFrame.h runtime/FocusFrame.cpp
  runtime/ArrowKeys.h runtime/ArrowKeys.cpp
  runtime/Screen.h runtime/Screen.cpp
  runtime/ProgramIcon.h runtime/ProgramIcon.cpp
  runtime/Single.h runtime/Single.cpp
  runtime/PrivateModule.h runtime/PrivateModule.cpp
  runtime/SinglePrecision.h
)
