// The fonts, icons and pictures of the views are attached to this library by the build.
