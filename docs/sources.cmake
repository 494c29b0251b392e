target_sources(elica_core PRIVATE
  docs/Page.h docs/Page.cpp
  docs/Faces.h docs/Faces.cpp
  docs/PageText.h docs/PageText.cpp
  docs/Paragraphs.h docs/Paragraphs.cpp
  docs/Brace.h docs/Brace.cpp
  docs/Formula.h docs/Formula.cpp
  docs/IntroFormulas.h docs/IntroFormulas.cpp
  docs/IntroPage.h docs/IntroPage.cpp
  docs/HelpPage.h docs/HelpPage.cpp
  docs/DocumentView.h docs/DocumentView.cpp
  docs/Form1.h docs/Form1.cpp
)
