// The translation resources are attached to this library by the build.
