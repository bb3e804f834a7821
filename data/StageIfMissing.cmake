# cmake -DFROM=dir -DTO=dir -DFILES=a;b -P StageIfMissing.cmake
# Copies each file that TO does not have yet, and makes TO/pic.
file(MAKE_DIRECTORY ${TO}/pic)
foreach(f IN LISTS FILES)
  if(NOT EXISTS ${TO}/${f})
    file(COPY ${FROM}/${f} DESTINATION ${TO})
  endif()
endforeach()
