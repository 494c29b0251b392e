target_sources(elica_core PRIVATE
  docs/Page.h
  docs/IntroPage.h docs/IntroPage.cpp
  docs/HelpPage.h docs/HelpPage.cpp
  docs/DocumentView.h docs/DocumentView.cpp
  docs/Form1.h docs/Form1.cpp
)
