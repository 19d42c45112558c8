src/vylora_i18n_autogen/timestamp: \
  /work/main/src/CMakeLists.txt \
  /work/main/src/i18n/MessageTable.h \
  /work/main/src/i18n/placeholder.cpp \
  /usr/bin/cmake
