src/vylora_app_autogen/timestamp: \
  /work/main/src/CMakeLists.txt \
  /work/main/src/app/Clock.h \
  /work/main/src/app/Prompts.cpp \
  /work/main/src/app/Prompts.h \
  /usr/bin/cmake
