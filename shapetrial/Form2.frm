VERSION 5.00
Object = "{08A55527-FAD1-4D74-929E-28E5565D541C}#1.0#409"; "Regions.ocx"
Begin VB.Form Form2 
   BackColor       =   &H00C0C0C0&
   Caption         =   "Form2"
   ClientHeight    =   4200
   ClientLeft      =   9600
   ClientTop       =   1200
   ClientWidth     =   4764
   LinkTopic       =   "Form2"
   ScaleHeight     =   4200
   ScaleWidth      =   4764
   StartUpPosition =   0  'Manual
   Begin Shapecraft.RegionTransparent RegionTransparent2 
      Height          =   4452
      Left            =   0
      TabIndex        =   0
      Top             =   0
      Width           =   4812
      _ExtentX        =   8488
      _ExtentY        =   7853
      BackColor       =   &H000000FF&
   End
   Begin Shapecraft.RegionTransparent RegionTransparent1 
      Height          =   7152
      Left            =   0
      TabIndex        =   1
      Top             =   0
      Width           =   5292
      _ExtentX        =   9334
      _ExtentY        =   12615
      WhatTransparent =   2
      BackColor       =   &H00800080&
      RegionMode      =   1
   End
   Begin Shapecraft.RegionTransparent RegionTransparent4 
      Height          =   1152
      Left            =   60
      TabIndex        =   2
      Top             =   3000
      Width           =   972
      _ExtentX        =   1714
      _ExtentY        =   2032
      WhatTransparent =   2
      BackColor       =   &H000000C0&
      RegionMode      =   1
   End
   Begin Shapecraft.RegionTransparent RegionTransparent3 
      Height          =   3552
      Left            =   450
      TabIndex        =   3
      Top             =   450
      Width           =   3912
      _ExtentX        =   6900
      _ExtentY        =   6265
      BackColor       =   &H008080FF&
   End
End
Attribute VB_Name = "Form2"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
