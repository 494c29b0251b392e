target_sources(elica_core PRIVATE
  pages/Page.h pages/Page.cpp
  pages/Faces.h pages/Faces.cpp
  pages/PageText.h pages/PageText.cpp
  pages/Paragraphs.h pages/Paragraphs.cpp
  pages/Brace.h pages/Brace.cpp
  pages/Formula.h pages/Formula.cpp
  pages/PageReading.h pages/PageReading.cpp
  pages/IntroFormulas.h pages/IntroFormulas.cpp
  pages/IntroPage.h pages/IntroPage.cpp
  pages/HelpPage.h pages/HelpPage.cpp
  pages/DocumentView.h pages/DocumentView.cpp
  pages/Form1.h pages/Form1.cpp
)
