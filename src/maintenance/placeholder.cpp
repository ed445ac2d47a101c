// Placeholder until this library has code of its own.
namespace tavelo {}
