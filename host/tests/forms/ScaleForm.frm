VERSION 5.00
Begin VB.Form ScaleForm 
   Caption         =   "User scale"
   ClientHeight    =   3000
   ClientWidth     =   6000
   ScaleHeight     =   -50
   ScaleLeft       =   -10
   ScaleMode       =   0  'User
   ScaleTop        =   25
   ScaleWidth      =   20
End
