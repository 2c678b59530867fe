cmake_minimum_required(VERSION 3.25)
# What an installation holds, relative to its prefix. ID is the application's id.
set(mides_icones 16 32 48 64 128 256)
set(fitxers_instalats
  bin/quimerix
  bin/quimerix-eines
  share/applications/${ID}.desktop
  share/metainfo/${ID}.metainfo.xml
  share/mime/packages/${ID}.xml
  share/icons/hicolor/scalable/apps/${ID}.svg
  share/doc/quimerix/copyright
  share/doc/quimerix/changelog.gz)
foreach(mida IN LISTS mides_icones)
  list(APPEND fitxers_instalats share/icons/hicolor/${mida}x${mida}/apps/${ID}.png)
endforeach()
